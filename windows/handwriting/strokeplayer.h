#pragma once

#include "handwriting/strokedata.h"

#include <QWidget>

#include <optional>

class QVariantAnimation;

// A character written stroke by stroke: each stroke drawn along its median, inside its
// outline, at a speed the user sets; replay from the start, or step one stroke at a time.
class StrokePlayer : public QWidget
{
    Q_OBJECT
public:
    explicit StrokePlayer(QWidget *parent = nullptr);

    // None: the text for "no stroke data" is shown instead.
    void setStrokes(const std::optional<CharacterStrokes> &strokes);
    void setEmptyText(const QString &text);
    // 1 is the normal speed; 0.25 to 4.
    void setSpeed(double speed);
    void replay();
    // Stops and shows one stroke more (from the start after the last).
    void step();
    // Strokes written so far: 2.5 is the third stroke half drawn.
    double progress() const { return m_progress; }
    void setProgress(double progress);
    bool isPlaying() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }
    QSize sizeHint() const override { return {300, 300}; }

signals:
    void progressChanged(double progress);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void timeChanged(int milliseconds);
    int strokeDuration(int stroke) const;

    std::optional<CharacterStrokes> m_strokes;
    QList<QList<double>> m_lengths; // per stroke, the median's length up to each point
    QString m_emptyText;
    double m_speed = 1.0;
    double m_progress = 0;
    QVariantAnimation *m_animation;
};

// The part of a median from its start that covers the fraction (0..1) of its length.
QPolygonF medianPart(const QPolygonF &median, const QList<double> &lengths, double fraction);
