#pragma once

#include "handwriting/strokedata.h"

#include <QWidget>

#include <optional>

// The strokes of a character as a strip of numbered steps: step n shows the strokes before
// it in black and stroke n in red. The strip wraps to the width it is given.
class StrokeStrip : public QWidget
{
    Q_OBJECT
public:
    explicit StrokeStrip(QWidget *parent = nullptr);

    void setStrokes(const std::optional<CharacterStrokes> &strokes);
    int stepCount() const { return m_strokes ? m_strokes->count() : 0; }
    // Where step n (0-based) is drawn.
    QRect stepRect(int step) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int columns(int width) const;

    std::optional<CharacterStrokes> m_strokes;
};
