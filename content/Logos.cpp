#include "Catalogue.h"
#include "Pictures.h"

#include <QString>

#include <array>

// The organisations' logos are 1-bit PNGs compiled into the program as resources (see
// logos/ and tools/make_logos.cpp, which drew them). Each is decoded once, on first use.

namespace content {
namespace {

constexpr std::array<const char*, OrganisationCount> LogoFiles{
    ":/logos/heralds.png", ":/logos/lantern.png", ":/logos/tarrant.png",
    ":/logos/books.png",   ":/logos/grove.png",
};

std::array<QImage, OrganisationCount> LoadLogos() {
    std::array<QImage, OrganisationCount> logos;
    for (std::size_t i = 0; i < logos.size(); ++i) {
        logos[i] = QImage(QString::fromLatin1(LogoFiles[i]), "PNG"); // known format: no sniffing
        Q_ASSERT_X(logos[i].format() == QImage::Format_Mono, "Logo", LogoFiles[i]);
    }
    return logos;
}

} // namespace

QImage Logo(int organisation) {
    Q_ASSERT(IsOrganisation(organisation));
    static const std::array<QImage, OrganisationCount> logos = LoadLogos();
    if (!IsOrganisation(organisation))
        return {};
    return logos[static_cast<std::size_t>(organisation - 1)];
}

} // namespace content
