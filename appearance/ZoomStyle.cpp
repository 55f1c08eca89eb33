#include "ZoomStyle.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

#include "Twips.h"

namespace zarvel {

namespace {

class ZoomStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight:
            case PM_CheckBoxLabelSpacing:
            case PM_RadioButtonLabelSpacing:
            case PM_ScrollBarExtent:
            case PM_ScrollBarSliderMin: return Zoomed(base);
            default: return base;
        }
    }
};

}  // namespace

void InstallZoomStyle() {
    if (dynamic_cast<ZoomStyle*>(QApplication::style())) return;
    // The style in use now, as a style of its own for the proxy to own.
    QApplication::setStyle(new ZoomStyle(QStyleFactory::create(QApplication::style()->name())));
}

}  // namespace zarvel
