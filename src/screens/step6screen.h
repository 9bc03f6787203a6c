// STEP6 "OUTPUT DATA: LAYOUT": the data sheet at the end of the wizard. The
// belt's tooth profile (or rib or flat section) with its dimensions, the
// matching pulley, the data of every pulley and the drive layout, all in the
// current length unit; rebuilt on every resize and unit change.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "engine/datasheet.h"
#include "screens/stepscreen.h"

class QLabel;

namespace belt {

class FlexGrid;

// Dente(code), Puleggia(kind) and Layout: one picture of the data sheet,
// painted from the project.
class DataSheetPicture : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Profile, Pulley, Layout };
    DataSheetPicture(Kind kind, int index, const DriveProject& project, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    const DriveProject& project_;
};

class Step6Screen : public StepScreen {
    Q_OBJECT
public:
    Step6Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent = nullptr);

    QString formName() const override { return QLatin1String(form::kStep6); }
    void applyMenus() override;
    // The page is rebuilt: the unit may have changed.
    void refresh() override;

    // Writes the title lines, fills both grids and places Unita.
    void DrawProfileDataSheet();

    // The sheet as last written.
    const ProfileDataSheet& sheet() const { return sheet_; }

    // Controls, by their names.
    DataSheetPicture* Layout = nullptr;
    std::array<DataSheetPicture*, 13> Dente{};
    std::array<DataSheetPicture*, 3> Puleggia{};
    FlexGrid* DatiDente = nullptr;
    FlexGrid* DatiPulegge = nullptr;
    QLabel* Unita = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The page build (Form_Resize).
    void Form_Resize();
    void placeGrids();

    ProfileDataSheet sheet_;
};

}  // namespace belt
