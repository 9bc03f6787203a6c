// The pages of STEP1.BeltType, in the order of its tabs. The project keeps
// the page shown (ScreenState::beltTypeTab); the project file writes it as a
// number of its own (projectfile.cpp), so the tabs may be reordered without
// renumbering the projects already saved.
#pragma once

namespace belt {

enum Step1Tab : int {
    kTabOrvanto = 0,
    kTabSelkira = 1,
    kTabTavoren = 2,
    kTabQuindel = 3,
    kTabFendaro = 4,
    kTabRubber = 5,
    kTabNews = 6,
    kTabFeasibility = 7,
    kTabIdler = 8,
    kTabClear = 9,
};
inline constexpr int kStep1TabCount = 10;

}  // namespace belt
