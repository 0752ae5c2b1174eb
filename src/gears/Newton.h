// A small Newton solve for a group of bodies that no closed form places, on fixed-size
// Eigen matrices: no allocation, an analytic Jacobian from the caller, an iteration cap.
#pragma once

#include <Eigen/Core>
#include <Eigen/LU>

#include <algorithm>
#include <cmath>

namespace vt::gears {

// Iterations allowed: from the previous assembly of a turn, or the reference one, a well
// posed group converges in three to five.
inline constexpr int kNewtonIterations = 12;

// Residuals are lengths in the design's unit; this is zero for them at any real size.
inline constexpr double kNewtonTolerance = 1e-12;

// Solves f(x) = 0 from x. `f(x, r, J)` fills the residuals r and their Jacobian J = dr/dx.
// True when the largest residual is below tol * scale (scale: the group's size, so that
// the test is relative); x then holds the root. False when the Jacobian is singular, a
// value is not finite, or the cap is reached; x then holds the last iterate.
template <int N, class F>
bool NewtonSolve(F&& f, Eigen::Matrix<double, N, 1>& x, double scale,
                 int maxIterations = kNewtonIterations, double tol = kNewtonTolerance) {
    using Vec = Eigen::Matrix<double, N, 1>;
    using Mat = Eigen::Matrix<double, N, N>;
    Vec r;
    Mat J;
    const double limit = tol * std::max(scale, 1.0);
    for (int i = 0; i <= maxIterations; ++i) {
        f(x, r, J);
        if (!r.allFinite()) return false;
        if (r.cwiseAbs().maxCoeff() < limit) return true;
        if (i == maxIterations) break;
        Eigen::PartialPivLU<Mat> lu(J);
        if (!(std::abs(lu.determinant()) > 1e-300)) return false;
        x -= lu.solve(r);
    }
    return false;
}

} // namespace vt::gears
