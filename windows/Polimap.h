#pragma once

#include "Form.h"
#include "ui_Polimap.h"

// The political map: the chart with the red dot where the user's two scores meet, the scores
// as captions, and the ways on to the reading windows, back to the quiz, or out of the program.
// Shown only modally, by the quiz window, which reads KeepAnswers and ExitRequested afterwards.
class TForm3 : public TForm, private Ui_TForm3 {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // The click zones over the chart and the Profiles menu: set the profile, show it.
    void imgHotBedLibClick();
    void imgHotBedLeftClick();
    void imgHotBedCentClick();
    void imgHotBedRightClick();
    void imgHotBedAuthClick();
    void mnuProfLibClick();
    void mnuProfLeftClick();
    void mnuProfCentClick();
    void mnuProfRightClick();
    void mnuProfAuthClick();

    // Quotes menu: set the topic, show the topical quotes.
    void mnuQuotesConscriptionClick();
    void mnuQuotesMediaClick();
    void mnuQuotesPrivacyClick();
    void mnuQuotesProhibitionClick();
    void mnuQuotesBordersClick();
    void mnuQuotesSubsidiesClick();
    void mnuQuotesProtectionismClick();
    void mnuQuotesLaborClick();
    void mnuQuotesTaxesClick();
    void mnuQuotesDefenseClick();

    // Info and Help menus.
    void Resources1Click();
    void Quizhistory1Click();
    void Hmmmm1Click();
    void mnuHelpScoringClick();
    void mnuHelpAboutClick();

    // The profile of the user's own philosophy, if its label is one of the five.
    void cmdProfileClick();
    // Asks whether to keep the answers, then closes the map.
    void cmdRestartClick();
    void mnuFileRestartClick();
    // Asks the quiz window to end the program, then closes the map.
    void mnuFileExitClick();
    // Ctrl+C: puts the result in words on the clipboard, as plain text.
    void CopyResult();

protected:
    void FormCreate() override;
    void FormPaint() override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowProfile(int philosophy);
    void ShowQuotes(int topic);
    // The window and its chart describe the result in words to screen readers.
    void DescribeResult();
};

extern TForm3* Form3;
