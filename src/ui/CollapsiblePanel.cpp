#include "ui/CollapsiblePanel.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionHeight = 19;
}

TCollapsiblePanel::TCollapsiblePanel(const QString& caption, int contentHeight, QWidget* parent)
    : QWidget(parent), FCaption(new QToolButton(this)), FContent(new QWidget(this)) {
    FCaption->setText(caption);
    FCaption->setFixedHeight(kCaptionHeight);
    FCaption->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    FCaption->setAutoRaise(true);
    FCaption->setStyleSheet(QStringLiteral(
        "QToolButton { background: #505050; color: white; border: none; text-align: left; "
        "padding-left: 4px; }"));
    FContent->setFixedHeight(contentHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FCaption);
    layout->addWidget(FContent);
    connect(FCaption, &QToolButton::clicked, this, [this] { SetOpen(!IsOpen()); });
}

bool TCollapsiblePanel::IsOpen() const {
    return !FContent->isHidden();
}

void TCollapsiblePanel::SetOpen(bool open) {
    if (open == IsOpen())
        return;
    FContent->setVisible(open);
    emit Toggled(open);
}
