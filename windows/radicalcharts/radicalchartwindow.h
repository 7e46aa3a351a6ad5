#pragma once

#include "dictionary/radicalchartgrid.h"

#include <QWidget>

class QLabel;
class RadicalChartView;
class TiledSurface;

// The radical charts: Traditionell ("Traditional radicals") and Forenklad ("Simplified
// radicals", with the other shapes of the radicals below and the paper background). A click
// on a radical hands its number on (radicalPicked) and closes the chart.
class RadicalChartWindow : public QWidget
{
    Q_OBJECT
public:
    RadicalChartWindow(RadicalChart chart, const QString &programFolder, QWidget *parent = nullptr);

    RadicalChart chart() const;
    RadicalChartView *picture() const { return Picture1; }
    // The radical last picked, 0 before the first pick.
    int selectedRadical() const { return m_selectedRadical; }

    // The chart picture files the build draws into the program folder.
    static QString pictureFile(RadicalChart chart);

signals:
    void radicalPicked(int radical);

private:
    void buildSimplifiedSide(const QString &programFolder);
    void radikal_Click(int radical);

    RadicalChartView *Picture1;
    TiledSurface *Image15 = nullptr; // the simplified chart's paper
    QLabel *Label1 = nullptr;
    int m_selectedRadical = 0;
};
