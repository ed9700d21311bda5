#include "windows/SponsorCaptions.h"

#include "windows/Controls.h"
#include "windows/PageLinks.h"
#include "windows/Twips.h"

#include <QGroupBox>

using namespace Resources;

SponsorCaptions BuildSponsorCaptions(QWidget* parent, const QRect& frame) {
    SponsorCaptions captions{};
    captions.fraFullBrand = Controls::Frame(parent, QStringLiteral("fraFullBrand"), QString(), frame,
                                            Colour::kLightBlue, Colour::kNavy);
    captions.fraFullBrand->setAccessibleName(QStringLiteral("Sponsor offers"));
    const Controls::Look look{Colour::kLightGrey, FontSpec{.bold = true, .underline = true}, Qt::AlignHCenter,
                              Colour::kLightBlue};
    // Created back to front: the co-brand caption lies in front.
    captions.lblFullBrand = Controls::LinkLabel(
        captions.fraFullBrand, QStringLiteral("lblFullBrand"),
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                       "Get this software fully branded for your website. Click here for more details."),
        Twips::Rect(120, 165, 6945, 615), look, ShadedHand());
    captions.lblCobrand = Controls::LinkLabel(
        captions.fraFullBrand, QStringLiteral("lblCobrand"),
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                       "Put your site's name &&  link here. See \"Help\" for details.    Click Here for more "
                       "info on co-branding."),
        Twips::Rect(120, 160, 6945, 615), look, PlainHand());
    OpenPageOn(captions.lblCobrand, &ClickLabel::clicked, modHelp::Page::CoBrand);
    OpenPageOn(captions.lblFullBrand, &ClickLabel::clicked, modHelp::Page::FullyBranded);
    return captions;
}
