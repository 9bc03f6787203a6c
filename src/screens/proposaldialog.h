// "Propose drives…" of step 2: asks the speed ratio and the centre distance
// range, designs every drive of the chosen profile group for the power and
// speed typed on steps 1 and 2, and lists them ranked. The row chosen with
// OK is what step 3 then gets typed in. From the keyboard: Enter in a box
// searches, Enter on a row (or OK) takes it, Tab leaves the table, Escape
// cancels.
#pragma once

#include <QDialog>
#include <optional>

#include "engine/proposals.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace belt {

class Dialogs;
struct DriveProject;

class ProposalDialog : public QDialog {
    Q_OBJECT
public:
    ProposalDialog(const DriveProject& project, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the dialog for the project; the row chosen with OK, or nothing
    // (cancelled, or the project has no power and speed to propose for:
    // then a message said so).
    static std::optional<DriveProposal> ask(const DriveProject& project, Dialogs& dialogs, QWidget* parent);

    // Searches with the typed values and fills the table, which takes the
    // focus when it has rows; false when a value is refused (a message names
    // it and the focus goes to its box).
    bool search();
    // The proposal of the selected row, or null.
    const DriveProposal* selected() const;

    QLineEdit* ratioBox() const { return ratio_; }
    QLineEdit* toleranceBox() const { return tolerance_; }
    QLineEdit* centreMinBox() const { return centreMin_; }
    QLineEdit* centreMaxBox() const { return centreMax_; }
    QPushButton* searchButton() const { return search_; }
    QTableWidget* table() const { return table_; }
    // The ranking rule: the choice, and the heading above the table that
    // states the rule in force.
    QComboBox* rankingBox() const { return ranking_; }
    // Ticked: timing belts also in widths cut to measure.
    QCheckBox* anyWidthBox() const { return anyWidth_; }
    QLabel* rankingHeading() const { return rankingHeading_; }
    // What OK does, the candidates dropped, or why nothing is proposed.
    QLabel* summary() const { return summary_; }
    QPushButton* okButton() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillTable();
    // The rule chosen in the box; ranks the rows found again by it.
    ProposalRanking chosenRanking() const;
    void rankAgain();
    bool refuse(QLineEdit* box, const std::string& text);

    const DriveProject& project_;
    Dialogs& dialogs_;
    ProposalResult result_;
    QLineEdit* ratio_ = nullptr;
    QLineEdit* tolerance_ = nullptr;
    QLineEdit* centreMin_ = nullptr;
    QLineEdit* centreMax_ = nullptr;
    QPushButton* search_ = nullptr;
    QTableWidget* table_ = nullptr;
    QComboBox* ranking_ = nullptr;
    QCheckBox* anyWidth_ = nullptr;
    QLabel* rankingHeading_ = nullptr;
    QLabel* summary_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace belt
