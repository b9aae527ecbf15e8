// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace erakon {

// Fusion with check boxes and radio buttons drawn from the palette so that
// their indicators stay visible in every carried style, dark ones included.
class CarriedStyle final : public QProxyStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CarriedStyle)

public:
    CarriedStyle();

    void setIndicatorShape(int cornerRadius, int size);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    int m_cornerRadius = 2;
    int m_indicatorSize = 14;
};

} // namespace erakon
