// FENDARO flat belt data sheet (16 types in three groups), the choice of a
// flat belt type on step 1, and the product description texts step 1 shows
// beside the profile pictures (timing belt groups, flat belt groups,
// multi-rib range, news page).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/driveproject.h"

namespace belt {

constexpr int kFlatBeltTypes = 16;    // rows 1..16 of flatBeltTable
constexpr int kFlatBeltColumns = 24;  // columns 0..23
constexpr int kFlatBeltFirstProperty = 2;
constexpr int kFlatBeltLastProperty = 20;
constexpr int kFlatBeltFirstCoating = 21;  // flatBeltInfoColumn runs 21..23
constexpr int kFlatBeltLastCoating = 23;

// DatiFlatBelt: fills flatBeltTable (column, row). Clearing the Proprieta
// list is the screen's part.
void DatiFlatBelt(DriveProject& p);

// ListFlatBeltTypes(first, last): the names flatBeltTable(1, i), i = first..last,
// as the list shows them (1 <= first <= last <= 16; others are clamped).
std::vector<std::string> ListFlatBeltTypes(const DriveProject& p, int first, int last);

// The three flat belt groups, by profile picture 9 (high load), 10 (light
// load) and 11 (conveyor).
struct FlatBeltGroup {
    int picture;        // TipoDente index
    int first;          // first row of flatBeltTable
    int last;           // last row
    int indexOnChoice;  // flatBeltIndex set when the group picture is clicked
};
extern const std::array<FlatBeltGroup, 3> kFlatBeltGroups;
const FlatBeltGroup* FlatBeltGroupOfPicture(int picture);
// The group whose description text begins with the caption's first letter
// ("H", "L", "C"), as the list click recognises it; null if none.
const FlatBeltGroup* FlatBeltGroupOfCaption(std::string_view testo0Caption);
// List selection to restore for the current flatBeltIndex in a group: -1 when
// no type of that group is chosen.
int FlatBeltListIndex(const DriveProject& p, const FlatBeltGroup& g);

// Characteristics panel text of type `row`: for columns 2..20 caption + value
// + "\r" (19 lines); empty when row is not 1..16.
std::string FlatBeltCharacteristics(const DriveProject& p, int row);

// Proprieta_Click on the FENDARO tab: flatBeltIndex := group first row + list
// index; beltType and beltName := "FENDARO " + name, beltPitchCode := name.
// Returns the characteristics panel text, or nothing (state unchanged) when
// no row is selected or the row lies outside the group.
std::optional<std::string> ChooseFlatBeltType(DriveProject& p, const FlatBeltGroup& g, int listIndex);

// Description shown in STEP1.Testo(0) for profile picture `picture` on family
// tab `tab` (ORVANTO pictures 0..2, RUBBER pictures 3 and 5, FENDARO pictures
// 9..11); empty where the page shows none. "\r" breaks lines, "Ø" is UTF-8.
std::string_view ProfileDescription(int tab, int picture);

// The QUINDEL page's product text (Testo(0)).
extern const std::string_view kQuindelProductText;

// The news tab: its caption and infotext(0..5) (0 is the headline).
extern const std::string_view kNewsTabCaption;
extern const std::array<std::string_view, 6> kNewsTexts;

}  // namespace belt
