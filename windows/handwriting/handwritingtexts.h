#pragma once

#include "shell/language.h"

#include <QString>

// The captions of the handwriting window and of the menu items that open it, English or
// Swedish.
struct HandwritingTexts
{
    QString windowTitle;
    QString drawMenu, showStrokesMenu; // menu items, also the first two tabs
    QString practise;                  // the third tab and its button
    QString undoStroke, clear, showStrokes;
    QString loadingModels, noModels, drawHere, noCandidates;
    QString character, replay, step, speed, noStrokeData; // noStrokeData: %1 the character
    QString practiseStart, practiseAgain;                 // practiseStart: %1 stroke, %2 of
    QString practiseHint, practiseShown;                  // %1 the stroke
    QString practiseDone;                                 // %1 strokes with a hint, %2 of
    QString chooseFirst;

    static const HandwritingTexts &forLanguage(Language language);
};
