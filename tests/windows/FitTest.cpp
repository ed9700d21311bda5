// Every text of every window fits its control, in every language the
// program speaks, whatever face the desktop puts in place of the one the
// windows were laid out for, at the scales ctest runs it at: nothing cut
// off, clipped or overlapping.
#include "tests/support/QtPrinters.h"
#include "tests/support/WindowTest.h"
#include "windows/frmAbout.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Language.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace {

// The size a text needs laid out as the control draws it: in its face, on a
// device of the window's pixel ratio, wrapped to `width` where it wraps.
QSizeF Needed(const QWidget* control, const QString& text, qreal width, int flags) {
    QImage device(1, 1, QImage::Format_ARGB32);
    device.setDevicePixelRatio(control->devicePixelRatioF());
    QPainter painter(&device);
    painter.setFont(control->font());
    return painter.boundingRect(QRectF(0, 0, width, 1e6), flags, text).size();
}

// Whether a line of text that advances past its box still draws all its
// ink inside it (the advance includes the last letter's side bearing).
bool InkFits(const QWidget* control, const QString& text, qreal width, int flags) {
    const QFontMetricsF metrics(control->font(), control);
    if (metrics.horizontalAdvance(text) > 2 * width) return false;
    if (Needed(control, text, width, flags).height() > metrics.lineSpacing() * 1.5) return false;  // wrapped
    const qreal advance = metrics.horizontalAdvance(text);
    const qreal start = (flags & Qt::AlignHCenter) ? (width - advance) / 2 : (flags & Qt::AlignRight) ? width - advance : 0;
    const QRectF ink = metrics.tightBoundingRect(text);
    return start + ink.left() >= -0.01 && start + ink.right() <= width + 0.01;
}

std::string Describe(const QWidget* control, const QString& text, const QSizeF& needed, const QSizeF& has) {
    return QStringLiteral("%1.%2 \"%3\": needs %4 x %5, has %6 x %7")
        .arg(control->window()->objectName(), control->objectName(), text.left(40))
        .arg(needed.width(), 0, 'f', 1)
        .arg(needed.height(), 0, 'f', 1)
        .arg(has.width(), 0, 'f', 1)
        .arg(has.height(), 0, 'f', 1)
        .toStdString();
}

// Where a text control's text does not fit it.
std::vector<std::string> Misfits(QWidget* window) {
    std::vector<std::string> misfits;
    const auto check = [&](const QWidget* control, const QString& text, const QSizeF& has, int flags) {
        if (text.isEmpty()) return;
        const QSizeF needed = Needed(control, text, has.width(), flags);
        if (needed.height() > has.height() + 0.01) {
            misfits.push_back(Describe(control, text, needed, has));
        } else if (needed.width() > has.width() + 0.01 && !InkFits(control, text, has.width(), flags)) {
            misfits.push_back(Describe(control, text, needed, has));
        }
    };
    QStyle* style = window->style();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control->parentWidget())) continue;  // a label's own parts
        if (auto* label = qobject_cast<QLabel*>(control)) {
            const QRect inside = label->contentsRect().marginsRemoved(
                QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
            check(label, label->text(), inside.size(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            // Its text keeps the style's margin to either side, and clears the frame.
            const int frameWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + frameWidth;
            check(button, Controls::ShownCaption(button->text()),
                  button->size().shrunkBy({margin, frameWidth, margin, frameWidth}), Qt::AlignCenter);
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            const int mark = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                             style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
            check(box, Controls::ShownCaption(box->text()), box->size().shrunkBy({mark, 0, 0, 0}), Qt::AlignVCenter);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            // The caption stands over the frame's top edge, a few pixels in.
            check(frame, frame->title(), QSizeF(frame->width() - 8, frame->height()), Qt::AlignLeft);
        } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
            // QLineEdit keeps two pixels free on either side within its frame.
            const int frameWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, line);
            const QMargins inner = line->textMargins() + QMargins(frameWidth + 2, frameWidth, frameWidth + 2, frameWidth);
            check(line, line->text(), line->rect().marginsRemoved(inner).size(), Qt::AlignLeft);
        }
    }
    // Shown controls of one parent never overlap.
    const auto shown = [window](const QWidget* w) {
        return w->isVisibleTo(window) && !w->isWindow() &&
               (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
                qobject_cast<const QLineEdit*>(w) || qobject_cast<const QGroupBox*>(w));
    };
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    for (qsizetype i = 0; i < all.size(); ++i) {
        for (qsizetype j = i + 1; j < all.size(); ++j) {
            const QWidget* a = all[i];
            const QWidget* b = all[j];
            if (a->parentWidget() == b->parentWidget() && shown(a) && shown(b) && a->geometry().intersects(b->geometry())) {
                misfits.push_back(window->objectName().toStdString() + ": " + a->objectName().toStdString() +
                                  " overlaps " + b->objectName().toStdString());
            }
        }
    }
    return misfits;
}

class Fit : public WindowTest {};

}  // namespace

TEST_F(Fit, EveryTextFitsItsControlInEveryLanguage) {
    // The face the desktop puts in place of Verdana, as this run was set up.
    const QString desktopFace = qEnvironmentVariable("KV_DESKTOP_FACE");
    if (!desktopFace.isEmpty()) {
        ASSERT_EQ(QFontInfo(QFont(QStringLiteral("Verdana"))).family(), desktopFace) << "this run's fonts are not set up";
    }
    std::vector<std::string> misfits;
    for (const QString& language : {QStringLiteral("en_US"), QStringLiteral("es_MX")}) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_EQ(Language::Install(QLocale(language)), language.left(2));
        frmMain& main = Forms::Show<frmMain>();
        std::vector<QWidget*> windows{&main};
        // Either sponsor caption may be in front.
        for (ClickLabel* caption : {main.lblCobrand, main.lblFullBrand}) {
            main.ShowSponsor(caption);
            for (auto& misfit : Misfits(&main)) misfits.push_back(language.toStdString() + " " + misfit);
        }
        main.txtName->setText(QStringLiteral("Ana"));
        main.NextSequence();
        Settle();
        frmMayanTarotResult* result = Forms::Loaded<frmMayanTarotResult>();
        ASSERT_NE(result, nullptr);
        auto* about = new frmAbout(result);  // goes with the result window
        about->show();
        frmNagScreen2& exitScreen = Forms::Show<frmNagScreen2>();
        for (QWidget* window : std::initializer_list<QWidget*>{result, about}) {
            for (auto& misfit : Misfits(window)) misfits.push_back(language.toStdString() + " " + misfit);
        }
        // Every support text the exit screen may show.
        for (int index = 0; index < 4; ++index) {
            exitScreen.Label2->setText(frmNagScreen2::SupportText(index));
            for (auto& misfit : Misfits(&exitScreen)) misfits.push_back(language.toStdString() + " " + misfit);
        }
        CloseEverything();
    }
    Language::Install(QLocale::c());
    std::string all;
    for (const std::string& misfit : misfits) all += misfit + '\n';
    EXPECT_TRUE(misfits.empty()) << all;
}
