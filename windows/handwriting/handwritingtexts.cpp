#include "windows/handwriting/handwritingtexts.h"

using namespace Qt::StringLiterals;

const HandwritingTexts &HandwritingTexts::forLanguage(Language language)
{
    static const HandwritingTexts english = [] {
        HandwritingTexts t;
        t.windowTitle = u"Characters by hand"_s;
        t.drawMenu = u"Draw a character"_s;
        t.showStrokesMenu = u"Show strokes"_s;
        t.practise = u"Practise"_s;
        t.undoStroke = u"Undo stroke"_s;
        t.clear = u"Clear"_s;
        t.showStrokes = u"Show strokes"_s;
        t.loadingModels = u"Loading the handwriting models…"_s;
        t.noModels = u"No handwriting model could be loaded: run scripts/setup.sh."_s;
        t.drawHere = u"Draw a character in the square, stroke by stroke."_s;
        t.noCandidates = u"No character matches these strokes."_s;
        t.character = u"Character:"_s;
        t.replay = u"Replay"_s;
        t.step = u"Step"_s;
        t.speed = u"Speed:"_s;
        t.noStrokeData = u"No stroke data for %1."_s;
        t.practiseStart = u"Write stroke %1 of %2."_s;
        t.practiseAgain = u"Start again"_s;
        t.practiseHint = u"Not quite: watch the red hint and write stroke %1 again."_s;
        t.practiseShown = u"Stroke %1 is drawn for you."_s;
        t.practiseDone = u"Done! %1 of %2 strokes needed a hint."_s;
        t.chooseFirst = u"Draw or type a character first."_s;
        return t;
    }();
    static const HandwritingTexts swedish = [] {
        HandwritingTexts t;
        t.windowTitle = u"Tecken för hand"_s;
        t.drawMenu = u"Rita ett tecken"_s;
        t.showStrokesMenu = u"Visa streck"_s;
        t.practise = u"Öva"_s;
        t.undoStroke = u"Ångra streck"_s;
        t.clear = u"Rensa"_s;
        t.showStrokes = u"Visa streck"_s;
        t.loadingModels = u"Läser in handskriftsmodellerna…"_s;
        t.noModels = u"Ingen handskriftsmodell kunde läsas in: kör scripts/setup.sh."_s;
        t.drawHere = u"Rita ett tecken i rutan, streck för streck."_s;
        t.noCandidates = u"Inget tecken passar de här strecken."_s;
        t.character = u"Tecken:"_s;
        t.replay = u"Spela igen"_s;
        t.step = u"Stega"_s;
        t.speed = u"Hastighet:"_s;
        t.noStrokeData = u"Streckdata saknas för %1."_s;
        t.practiseStart = u"Skriv streck %1 av %2."_s;
        t.practiseAgain = u"Börja om"_s;
        t.practiseHint = u"Inte riktigt: se den röda ledtråden och skriv streck %1 igen."_s;
        t.practiseShown = u"Streck %1 ritas åt dig."_s;
        t.practiseDone = u"Klart! %1 av %2 streck behövde en ledtråd."_s;
        t.chooseFirst = u"Rita eller skriv ett tecken först."_s;
        return t;
    }();
    return language == Language::Swedish ? swedish : english;
}
