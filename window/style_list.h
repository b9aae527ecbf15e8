// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

namespace erakon {

// The list of style names. Choosing a name applies its style, so only the
// left button chooses: a right click is the way to the window's menu and a
// middle click means nothing here; neither moves the current name.
class StyleList final : public QListWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StyleList)

public:
    explicit StyleList(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace erakon
