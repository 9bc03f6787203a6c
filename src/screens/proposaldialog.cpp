#include "screens/proposaldialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "platform/dialogs.h"
#include "project/driveproject.h"
#include "screens/screenstyle.h"
#include "units/units.h"

namespace belt {

using style::qs;

namespace {

constexpr const char* kRefusalTitle = "I can't proceed";

QString InUnit(const DriveProject& p, int quantity, double value, std::string_view pattern) {
    return qs(Format(ToDisplay(p, quantity, value), pattern));
}

QString Unit(const DriveProject& p, int quantity) {
    return qs(CurrentLabel(p, quantity));
}

// The duty's driver data as steps 1 and 2 hold them.
ProposalDuty ProjectDuty(const DriveProject& p) {
    ProposalDuty duty;
    duty.power = p.power;
    duty.driverSpeed = p.pulleySpeed[1];
    // Only the parts of the family's own tab count (the width sizing reads
    // the project's other factors as it finds them).
    if (BeltFamilyTraitsOf(p.beltFamily).factorTable == FactorTableKind::OperationTime)
        duty.factors = {p.loadFactor, p.loadFactorSecond, 1.0F};
    else
        duty.factors = {1.0F, 0.0F, p.loadFactorSecond};
    return duty;
}

QString PulleyText(const DriveProject& p, const DriveProposal& r, int i) {
    const auto k = static_cast<std::size_t>(i);
    if (r.toothed) return QStringLiteral("%1 z").arg(r.teeth[k]);
    return QStringLiteral("\u00D8 ") + InUnit(p, kLength, r.diameter[k], "###0.00");
}

QString WarningsText(const DriveProposal& r) {
    QStringList labels;
    for (const ProposalWarning& w : r.warnings)
        if (!labels.contains(qs(w.label))) labels << qs(w.label);
    return labels.join(QStringLiteral(", "));
}

}  // namespace

ProposalDialog::ProposalDialog(const DriveProject& project, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), project_(project), dialogs_(dialogs) {
    setObjectName(QStringLiteral("ProposalDialog"));
    setWindowTitle(QStringLiteral("Propose drives"));

    const QString length = Unit(project_, kLength);
    auto* heading = new QLabel(this);
    heading->setTextFormat(Qt::PlainText);
    heading->setText(qs(project_.beltType) + QStringLiteral(": ") +
                     InUnit(project_, kPower, project_.power, "###0.00") + QLatin1Char(' ') + Unit(project_, kPower) +
                     QStringLiteral(" at ") +
                     InUnit(project_, kAngularVelocity, project_.pulleySpeed[1], "###0.0") + QLatin1Char(' ') +
                     Unit(project_, kAngularVelocity));
    style::SetFontSize(heading, 11, true);

    auto box = [this](const QString& name, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(name);
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(90);
        return e;
    };
    ratio_ = box(QStringLiteral("Ratio"),
                 project_.pulleyRatio[2] > 0 ? qs(Format(project_.pulleyRatio[2], "###0.00")) : QString());
    // Typing replaces the ratio of the drive on step 3.
    ratio_->selectAll();
    ratio_->setFocus();
    tolerance_ = box(QStringLiteral("Tolerance"), QStringLiteral("2"));
    centreMin_ = box(QStringLiteral("CentreMin"), QString());
    centreMax_ = box(QStringLiteral("CentreMax"), QString());
    // Enter in a box searches; Enter elsewhere takes the selected row (OK).
    for (QLineEdit* e : {ratio_, tolerance_, centreMin_, centreMax_}) e->installEventFilter(this);
    search_ = new QPushButton(QStringLiteral("Search"), this);
    search_->setObjectName(QStringLiteral("Search"));
    search_->setAutoDefault(true);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("Speed ratio (driver / driven):"), this), 0, 0);
    form->addWidget(ratio_, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("Tolerance [%]:"), this), 0, 2);
    form->addWidget(tolerance_, 0, 3);
    form->addWidget(new QLabel(QStringLiteral("Centre distance ") + length + QStringLiteral(" from:"), this), 1, 0);
    form->addWidget(centreMin_, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("to:"), this), 1, 2);
    form->addWidget(centreMax_, 1, 3);
    form->addWidget(search_, 1, 4);
    form->setColumnStretch(5, 1);

    // The rule the rows are ranked by; the heading above the table states it.
    ranking_ = new QComboBox(this);
    ranking_->setObjectName(QStringLiteral("Ranking"));
    ranking_->addItem(QStringLiteral("Most compact first"), static_cast<int>(ProposalRanking::Compact));
    ranking_->addItem(QStringLiteral("Least over-designed first"), static_cast<int>(ProposalRanking::Margin));
    ranking_->setCurrentIndex(ranking_->findData(static_cast<int>(kDefaultProposalRanking)));
    auto* rankingLabel = new QLabel(QStringLiteral("&Rank:"), this);
    rankingLabel->setBuddy(ranking_);
    form->addWidget(rankingLabel, 2, 0);
    form->addWidget(ranking_, 2, 1, 1, 3);
    // A proposal is a belt off the shelf unless widths cut to measure are wanted.
    anyWidth_ = new QCheckBox(QStringLiteral("Also &widths cut to measure"), this);
    anyWidth_->setObjectName(QStringLiteral("AnyWidth"));
    form->addWidget(anyWidth_, 2, 4, 1, 2);
    rankingHeading_ = new QLabel(this);
    rankingHeading_->setObjectName(QStringLiteral("RankingRule"));
    rankingHeading_->setTextFormat(Qt::PlainText);
    rankingHeading_->setWordWrap(true);

    const QStringList headers = {QStringLiteral("Belt"),
                                 QStringLiteral("Length ") + length,
                                 QStringLiteral("Width ") + length,
                                 QStringLiteral("Belt code"),
                                 QStringLiteral("Driver"),
                                 QStringLiteral("Driven"),
                                 QStringLiteral("Ratio"),
                                 QStringLiteral("Error [%]"),
                                 QStringLiteral("Centre distance ") + length,
                                 QStringLiteral("Belt speed ") + Unit(project_, kVelocity),
                                 QStringLiteral("Teeth in mesh"),
                                 QStringLiteral("Rating ") + Unit(project_, kPower),
                                 QStringLiteral("Safety"),
                                 QStringLiteral("Margin"),
                                 QStringLiteral("Envelope [dm3]"),
                                 QStringLiteral("Answers"),
                                 QStringLiteral("Warnings")};
    table_ = new QTableWidget(0, static_cast<int>(headers.size()), this);
    table_->setObjectName(QStringLiteral("Proposals"));
    table_->setHorizontalHeaderLabels(headers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table; the arrows choose a row in it.
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Every heading whole before the first search, as after it.
    table_->resizeColumnsToContents();
    table_->setMinimumSize(600, 240);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Summary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    summary_->setText(QStringLiteral("Type the speed ratio and the centre distance range, then Search."));

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton()->setEnabled(false);
    okButton()->setAutoDefault(false);
    okButton()->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(rankingHeading_);
    layout->addWidget(table_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons_);
    resize(1240, 640);

    connect(search_, &QPushButton::clicked, this, [this] { search(); });
    connect(ranking_, &QComboBox::currentIndexChanged, this, [this] { rankAgain(); });
    rankAgain();
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { okButton()->setEnabled(selected() != nullptr); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (selected()) accept();
    });
}

QPushButton* ProposalDialog::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

std::optional<DriveProposal> ProposalDialog::ask(const DriveProject& project, Dialogs& dialogs, QWidget* parent) {
    // The ratio and range are asked here; the driver data must stand already.
    ProposalDuty duty = ProjectDuty(project);
    duty.ratio = 1;
    duty.centreMin = duty.centreMax = 1;
    if (const std::optional<DutyProblem> problem = CheckProposalDuty(duty)) {
        dialogs.message(problem->text + "\rDrives are proposed for the power, the R.P.M. of the driver pulley "
                                        "and the service factor chosen on steps 1 and 2.",
                        kRefusalTitle, MsgIcon::Warning);
        return std::nullopt;
    }
    ProposalDialog dialog(project, dialogs, parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.selected()) return std::nullopt;
    return *dialog.selected();
}

bool ProposalDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            search();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ProposalDialog::refuse(QLineEdit* box, const std::string& text) {
    const QPointer<ProposalDialog> alive(this);
    dialogs_.message(text, kRefusalTitle, MsgIcon::Warning);
    if (alive && box) {
        box->setFocus();
        box->selectAll();
    }
    return false;
}

bool ProposalDialog::search() {
    ProposalDuty duty = ProjectDuty(project_);
    struct Entry {
        QLineEdit* box;
        const char* name;
        double value = 0;
    };
    Entry entries[] = {{ratio_, "speed ratio"},
                       {tolerance_, "tolerance"},
                       {centreMin_, "smallest centre distance"},
                       {centreMax_, "largest centre distance"}};
    for (Entry& e : entries) {
        const std::string text = e.box->text().toStdString();
        const std::optional<double> v = ParseDutyNumber(text);
        if (!v) return refuse(e.box, std::string("The ") + e.name + " \"" + text + "\" is not a number.");
        e.value = *v;
    }
    duty.ratio = entries[0].value;
    duty.ratioTolerance = entries[1].value / 100;
    duty.centreMin = ToInternal(project_, kLength, entries[2].value);
    duty.centreMax = ToInternal(project_, kLength, entries[3].value);
    duty.anyWidth = anyWidth_->isChecked();
    if (const std::optional<DutyProblem> problem = CheckProposalDuty(duty)) {
        QLineEdit* box = nullptr;
        if (problem->field == DutyField::Ratio) box = ratio_;
        if (problem->field == DutyField::RatioTolerance) box = tolerance_;
        if (problem->field == DutyField::CentreDistance) box = entries[2].value > 0 ? centreMax_ : centreMin_;
        return refuse(box, problem->text);
    }

    BusyPointer busy(dialogs_);
    const std::vector<ProposalBelt> belts = ProposalBeltsOfType(project_.beltType);
    result_ = ProposeDrives(project_, duty, belts, chosenRanking());
    fillTable();
    // The rows are what the user came for: the arrows choose among them and
    // Enter takes one.
    if (!result_.proposals.empty()) table_->setFocus(Qt::OtherFocusReason);
    return true;
}

ProposalRanking ProposalDialog::chosenRanking() const {
    return static_cast<ProposalRanking>(ranking_->currentData().toInt());
}

void ProposalDialog::rankAgain() {
    result_.ranking = chosenRanking();
    RankProposals(result_.proposals, result_.ranking);
    rankingHeading_->setText(QStringLiteral("Ranked: ") + qs(ProposalRankingText(result_.ranking)) +
                             QLatin1Char('.'));
    if (!result_.proposals.empty()) fillTable();
}

void ProposalDialog::fillTable() {
    table_->clearContents();
    table_->setRowCount(static_cast<int>(result_.proposals.size()));
    const DriveProject& p = project_;
    int row = 0;
    for (const DriveProposal& r : result_.proposals) {
        const QString width = WidthInRibs(r) ? qs(Format(r.beltWidth, "####0")) + QStringLiteral(" ribs")
                                             : InUnit(p, kLength, r.beltWidth, "###0.00");
        // A rounded zero carries no sign.
        QString error = qs(Format(r.ratioError * 100, "+###0.0"));
        if (error == QLatin1String("+0.0") || error == QLatin1String("-0.0")) error = QStringLiteral("0.0");
        const QStringList cells = {qs(r.beltName),
                                   InUnit(p, kLength, r.beltLength, "####0"),
                                   width,
                                   qs(r.beltCode),
                                   PulleyText(p, r, 0),
                                   PulleyText(p, r, 1),
                                   qs(Format(r.speedRatio, "###0.00")),
                                   error,
                                   InUnit(p, kLength, r.centreDistance, "###0.00"),
                                   InUnit(p, kVelocity, r.beltSpeed, "###0.00"),
                                   r.toothed ? QString::number(r.teethInMesh) : QStringLiteral("-"),
                                   InUnit(p, kPower, r.powerRating, "###0.00"),
                                   qs(Format(r.safetyFactor, "###0.00")),
                                   qs(Format(r.margin, "###0.00")),
                                   qs(Format(r.envelope * 1000, "###0.00")),
                                   qs(ProposalAnswersText(r)),
                                   WarningsText(r)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c != 0 && c != 3 && c < 15) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 16 && !r.warnings.empty()) {
                QStringList texts;
                for (const ProposalWarning& w : r.warnings) texts << style::Lines(w.text);
                item->setToolTip(texts.join(QStringLiteral("\n\n")));
            }
            table_->setItem(row, c, item);
        }
        ++row;
    }
    table_->resizeColumnsToContents();

    QString text;
    if (result_.proposals.empty()) {
        text = qs(NoProposalText(result_));
    } else {
        text = QStringLiteral("OK opens step 3 with the row's pulleys and the centre distance ") +
               InUnit(p, kLength, result_.proposals.front().typedCentreDistance, "###0.00") +
               QLatin1Char(' ') + Unit(p, kLength) +
               QStringLiteral(
                   " typed in; Go On then asks for the belt length and width: the Answers column "
                   "gives the row's design.");
    }
    text += QStringLiteral("\n%1 candidates, %2 proposed.").arg(result_.candidates).arg(result_.proposals.size());
    if (!result_.dropped.empty()) {
        QStringList dropped;
        for (const DroppedCandidates& d : result_.dropped)
            dropped << QStringLiteral("%1 %2").arg(d.count).arg(qs(d.reason));
        text += QStringLiteral(" Dropped: ") + dropped.join(QStringLiteral(", ")) + QLatin1Char('.');
    }
    summary_->setText(text);
    okButton()->setEnabled(false);
    if (!result_.proposals.empty()) table_->selectRow(0);
}

const DriveProposal* ProposalDialog::selected() const {
    const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
    if (ranges.isEmpty()) return nullptr;
    const int row = ranges.front().topRow();
    if (row < 0 || row >= static_cast<int>(result_.proposals.size())) return nullptr;
    return &result_.proposals[static_cast<std::size_t>(row)];
}

}  // namespace belt
