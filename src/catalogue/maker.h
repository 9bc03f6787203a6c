// The maker whose catalogue this is, and its offices: the one place every
// address the program shows comes from (the heading of the results screen
// and of the printed pages, the about page).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace belt {

struct MakerOffice {
    std::string_view heading;  // what the office is, as the about page names it
    std::string_view street;
    std::string_view town;  // postcode, town and province
    std::string_view country;
    std::string_view phone;
    std::string_view fax;
    std::string_view email;
};

// The head office first: it is the address of the headings.
inline constexpr std::array<MakerOffice, 2> kMakerOffices = {{
    {"Head office and works", "Via delle Filande 27", "21050 Valmora (VA)", "Italy", "+39 0332 555 100",
     "+39 0332 555 199", "info@vestrano.example"},
    {"Sales office and warehouse", "Viale dell'Industria 112", "40128 Borgo Lame (BO)", "Italy",
     "+39 051 555 0420", "+39 051 555 0429", "sales@vestrano.example"},
}};

// The head office on one line: "street  -  town  -  COUNTRY".
std::string MakerPostalAddress();
// Its telephone and fax: "Tel. ...   Fax ...".
std::string MakerContactLine();
// An office as the about page sets it: street, town and country, phone,
// fax and e-mail, one to a line ("\n").
std::string OfficeAddressBlock(const MakerOffice& office);

}  // namespace belt
