# Reads a DXF drawing with ezdxf, an independent reader, and prints what the workbench's
# test checks as JSON: the unit code, the lines, the circles and the polylines by layer.
import json
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
msp = doc.modelspace()
out = {
    "insunits": doc.header.get("$INSUNITS", None),
    "lines": [[e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y, e.dxf.layer] for e in msp.query("LINE")],
    "circles": [[e.dxf.center.x, e.dxf.center.y, e.dxf.radius] for e in msp.query("CIRCLE")],
    "polylines": {e.dxf.layer: {"closed": e.is_closed, "points": [[v.dxf.location.x, v.dxf.location.y] for v in e.vertices]}
                  for e in msp.query("POLYLINE")},
}
print(json.dumps(out))
