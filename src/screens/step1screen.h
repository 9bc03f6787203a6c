// STEP1, application data: the belt family tabs with their profile
// pictures, the service and load factor tables, the linear drive data, and
// the information pages (news, feasibility grid, idler diameter grid).
// The screen reads and writes the project; what it must remember between
// layouts (tab, option buttons, factor cell colours, list row) is p.screen.
//
// The tabs share one set of controls, placed anew for each page. Each page
// and panel has its own source file: step1screen.cpp the tab strip and the
// page switching, step1profiles.cpp the profile pictures, step1factortable.cpp
// the service factor table, step1orvantorubber.cpp the ORVANTO and RUBBER
// pages, step1lineardrive.cpp the SELKIRA and TAVOREN data, step1quindel.cpp,
// step1fendaro.cpp, step1news.cpp and step1grids.cpp (feasibility and idler
// diameter grids).
#pragma once

#include <QLabel>
#include <QString>
#include <array>

#include "screens/step1widgets.h"
#include "screens/stepscreen.h"

class QButtonGroup;
class QFrame;
class QListWidget;
class QRadioButton;
class QScrollBar;
class QTabBar;
class QTimer;

namespace belt {

class FlexGrid;
class NumericBox;
struct FlatBeltGroup;

class Step1Screen : public StepScreen {
    Q_OBJECT
public:
    Step1Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent = nullptr);

    QString formName() const override { return QLatin1String(form::kStep1); }
    void applyMenus() override;
    // The Unit menu's redraw: the SELKIRA page's data in the new units.
    void refresh() override;
    void setBlinking(bool on) override;

    // Events and methods by their names.
    void Form_Resize();
    void BeltType_Click(int previousTab);
    void TipoDente_Click(int index);
    void SelectToothProfile(int index);
    void OptionDriver_Click(int index);
    void OptionInput_Click(int index);
    void Proprieta_Click();
    void Tabella_Click(int index);
    void Feasibility_Click(int row, int col);
    void ScrollInfo_Change();
    void Flash_Timer();
    void ShowApplicationData();

    // What the demonstration and the project file do to the controls: each
    // runs the control's usual handler, as a user's action would.
    void setBeltTypeTab(int tab);
    void setOptionDriver(int index);
    void setProprietaListIndex(int row);
    void setTabellaColours(int cell, int back, int fore);

    // Controls by their names, for the main window and the tests.
    QTabBar* beltType() const { return beltType_; }
    QLabel* titolo() const { return titolo_; }
    ProfilePicture* tipoDente(int k) const { return tipoDente_[static_cast<std::size_t>(k)]; }
    QFrame* evidenziatore() const { return evidenziatore_; }
    QLabel* testo(int i) const { return testo_[static_cast<std::size_t>(i)]; }
    ClickLabel* tabella(int i) const { return tabella_[static_cast<std::size_t>(i)]; }
    QRadioButton* optionDriver(int i) const { return optionDriver_[static_cast<std::size_t>(i)]; }
    QRadioButton* optionInput(int i) const { return optionInput_[static_cast<std::size_t>(i)]; }
    QListWidget* proprieta() const { return proprieta_; }
    NumericBox* loadFactorBox() const { return loadFactorBox_; }
    NumericBox* dati(int i) const { return dati_[static_cast<std::size_t>(i)]; }
    // The text printed beside Dati(i), i = 0..8.
    QLabel* datiLabel(int i) const { return printed_[static_cast<std::size_t>(i)]; }
    QFrame* optionContainer() const { return optionContainer_; }
    NewsPage* qvpNews() const { return news_; }
    QScrollBar* scrollInfo() const { return scrollInfo_; }
    FlexGrid* feasibility() const { return feasibility_; }
    QWidget* feasibilityLegend() const { return feasibilityLegend_; }
    FlexGrid* idlerMinDiameter() const { return idler_; }
    QTimer* flash() const { return flash_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The controls of each page, created in the order they stack.
    void makeProfilePictures();
    void makeFactorTable();
    void makeMachineControls();
    void makeLinearDriveControls();
    void makeNewsPage();
    void makeGrids();

    int currentTab() const;
    void OrvantoRubber();
    void SelkiraTavoren();
    void Quindel();
    void Fendaro();
    void News();
    void InformationGrid();
    void hidePage();
    void showPictures();
    void showTable(bool withTitleAndFive, int lastHeader);
    void applyTabellaColours();
    void fitTableFonts();
    void fitPageTexts();
    void orderTabs();
    void updatePictureTabStop();
    void setTabellaCaptions();
    void styleTabellaFive(bool characteristicsPanel);
    void fillMachineList();
    void fillFlatBeltList(const FlatBeltGroup& g);
    void syncOptionButtons();
    void updateDatiEnabled();
    void placeCarriageBoxes();
    void fitDataCaptions();
    void wrapDriverCaptions();
    void datiEntered(int index);
    void loadFeasibilityGrid();
    void loadIdlerGrid();
    void setTesto0(const std::string& text);

    QTabBar* beltType_ = nullptr;
    QLabel* titolo_ = nullptr;
    std::array<ProfilePicture*, 12> tipoDente_{};
    QFrame* evidenziatore_ = nullptr;
    std::array<QLabel*, 4> testo_{};
    std::array<ClickLabel*, 12> tabella_{};
    std::array<QRadioButton*, 3> optionDriver_{};
    std::array<QString, 3> optionDriverCaption_{};
    QButtonGroup* driverGroup_ = nullptr;
    QListWidget* proprieta_ = nullptr;
    NumericBox* loadFactorBox_ = nullptr;
    QFrame* optionContainer_ = nullptr;
    std::array<QRadioButton*, 4> optionInput_{};
    QButtonGroup* inputGroup_ = nullptr;
    std::array<NumericBox*, 11> dati_{};
    std::array<QLabel*, 9> printed_{};
    NewsPage* news_ = nullptr;
    QScrollBar* scrollInfo_ = nullptr;
    FlexGrid* feasibility_ = nullptr;
    QWidget* feasibilityLegend_ = nullptr;
    FlexGrid* idler_ = nullptr;
    QTimer* flash_ = nullptr;
    // What Proprieta lists now: 0 nothing, 1 the driven machines, 2 a flat belt group.
    int listContent_ = 0;
    // Point size of the driver class captions before fitting.
    static constexpr int kDriverPoints = 10;
    // ... of the input modes, and of the page title.
    static constexpr int kOptionPoints = 10;
    static constexpr int kTitlePoints = 16;
    int listGroupFirst_ = 0;
    bool laidOut_ = false;
};

}  // namespace belt
