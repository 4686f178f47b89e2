#pragma once

#include "core/text/ResStr.h"

#include <QWidget>

class QToolButton;

// A panel of the right-hand column: a caption bar that shows or hides the content below it.
class TCollapsiblePanel : public QWidget {
    Q_OBJECT
public:
    // The caption follows the interface language.
    explicit TCollapsiblePanel(TText caption, QWidget* parent = nullptr);

    QWidget* Content() const { return FContent; }
    bool IsOpen() const;
    void SetOpen(bool open);
    QToolButton* CaptionButton() const { return FCaption; }

signals:
    void Toggled(bool open);

private:
    QToolButton* FCaption;
    QWidget* FContent;
};
