#include "ui/CollapsiblePanel.h"
#include "ui/text/TextBinding.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionHeight = 19;
}

TCollapsiblePanel::TCollapsiblePanel(TText caption, QWidget* parent)
    : QWidget(parent), FCaption(new QToolButton(this)), FContent(new QWidget(this)) {
    BindText(FCaption, caption);
    FCaption->setFixedHeight(kCaptionHeight);
    FCaption->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    FCaption->setAutoRaise(true);
    FCaption->setStyleSheet(QStringLiteral(
        "QToolButton { background: #505050; color: white; border: none; text-align: left; "
        "padding-left: 4px; }"));
    // The content is as high as its controls need in this toolkit's metrics, so all panels
    // fit the column at the window's default size.
    FContent->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
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
