// Builds the nine panels, each with a fixed least width, so that the panels keep their places
// while their texts change.
#include "editor/StatusBar.h"

namespace {
constexpr int kWidths[StatusBar::kPanelCount] = {60, 40, 40, 40, 60, 65, 160, 110, 50};
}

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(true);
    for (int i = 0; i < kPanelCount; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(i == kGameModePanel ? QStringLiteral("GameModePanel")
                                                 : QStringLiteral("StatusPanel%1").arg(i));
        label->setMinimumWidth(kWidths[i]);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        addWidget(label, i == kPanelCount - 1 ? 1 : 0);
        m_panels.append(label);
    }
}

void StatusBar::setPanelText(int index, const QString &text)
{
    m_panels.at(index)->setText(text);
}
