// The names of the program's forms. The menu commands act on the active
// form, which they know by its name ("MAIN" while only the cover is shown),
// and the project file keeps the name of the form it was saved from.
#pragma once

#include <array>

namespace belt::form {

inline constexpr char kMain[] = "MAIN";    // the main window; active while the cover is shown
inline constexpr char kStep0[] = "STEP0";  // the about page
inline constexpr char kStep1[] = "STEP1";  // application data
inline constexpr char kStep2[] = "STEP2";  // belt pitch selection guide
inline constexpr char kStep3[] = "STEP3";  // pulley data
inline constexpr char kStep4[] = "STEP4";  // pulley layout
inline constexpr char kStep5[] = "STEP5";  // results
inline constexpr char kStep6[] = "STEP6";  // tooth profile and pulley data sheet

// The wizard's screens in their order.
inline constexpr std::array<const char*, 6> kSteps = {kStep1, kStep2, kStep3, kStep4, kStep5, kStep6};

}  // namespace belt::form
