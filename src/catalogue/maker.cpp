#include "catalogue/maker.h"

#include <algorithm>
#include <cctype>

namespace belt {

namespace {

std::string Upper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

}  // namespace

std::string MakerPostalAddress() {
    const MakerOffice& o = kMakerOffices[0];
    return std::string(o.street) + "  -  " + std::string(o.town) + "  -  " + Upper(o.country);
}

std::string MakerContactLine() {
    const MakerOffice& o = kMakerOffices[0];
    return "Tel. " + std::string(o.phone) + "   Fax " + std::string(o.fax);
}

std::string OfficeAddressBlock(const MakerOffice& o) {
    return std::string(o.street) + "\n" + std::string(o.town) + " - " + std::string(o.country) + "\nPhone " +
           std::string(o.phone) + "\nFax " + std::string(o.fax) + "\n" + std::string(o.email);
}

}  // namespace belt
