#pragma once
// The sponsor frame at the bottom of the main and result windows: two
// captions in the same place, the co-brand caption in front, each opening
// the page of its offer.

class ClickLabel;
class QGroupBox;
class QRect;
class QWidget;

struct SponsorCaptions {
    QGroupBox* fraFullBrand;
    ClickLabel* lblCobrand;
    ClickLabel* lblFullBrand;
};

SponsorCaptions BuildSponsorCaptions(QWidget* parent, const QRect& frame);
