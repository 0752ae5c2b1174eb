// The "Draw Lines" dialog of the lines-and-circles overlay: three choice groups, the
// buttons, and twenty rows of a number, three labels and four number fields. It mirrors
// the dialog record (Controls::Lines) and runs the overlay rules; it never draws.
#pragma once

#include "model/Controls.h"

#include <QDialog>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;

namespace vt {

class NumberEdit;

class LinesDialog final : public QDialog {
    Q_OBJECT
public:
    LinesDialog(State& s, Controls& c, QWidget* parent);

    // Access for tests and screenshots.
    QLabel* RowNumber(int row) const { return rows_[std::size_t(row)].number; }
    QLabel* RowLabel(int row, int i) const { return rows_[std::size_t(row)].labels[std::size_t(i)]; }
    NumberEdit* Field(int row, int f) const { return rows_[std::size_t(row)].fields[std::size_t(f)]; }
    QWidget* RowPanel(int row) const { return rows_[std::size_t(row)].panel; }
    QButtonGroup* Group(int i) const { return groups_[std::size_t(i)]; }
    QPushButton* DrawClose() const { return drawClose_; }

    // Shows the record: row texts, the current row in aqua, the choices and "Draw Close".
    void Mirror();

public slots:
    void reject() override; // Esc and the close box act as "Close"

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Row {
        QWidget* panel = nullptr;
        QLabel* number = nullptr;
        std::array<QLabel*, 3> labels{};
        std::array<NumberEdit*, 4> fields{};
    };
    void BuildTitles();
    void BuildGroups();
    void BuildButtons();
    void BuildRow(int r);
    void Finish(LinesOutcome outcome);

    State& s_;
    Controls& c_;
    std::array<Row, kLineEntries> rows_{};
    std::array<QButtonGroup*, 3> groups_{};
    QPushButton* drawClose_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace vt
