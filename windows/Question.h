#pragma once

#include "Form.h"
#include "ui_Question.h"

// The quiz window, the program's main window: ten statements with Yes, Maybe and No, the
// "Show Results" button that runs the quiz-and-map cycle, and the splash at its first paint.
class TForm1 : public TForm, private Ui_TForm1 {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // Reads the answer sheet and writes the program-wide scores and philosophy.
    void CalculateResults();

    // The message texts of this window.
    static QString StrayText();
    static QString IntroducingText();
    static QString TakingTheQuizText();

protected:
    void FormCreate() override;
    void FormPaint() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSplash();
    void Stray();
    void ShowTopic(int topic);

    void btnResultsClick();
    void mnuFileExitClick();
    void mnuHelpIntroducingClick();
    void mnuHelpTakingtheQuizClick();
    void mnuHelpAboutClick();

    void lblQ1Click() { ShowTopic(1); }
    void lblQ2Click() { ShowTopic(2); }
    void lblQ3Click() { ShowTopic(3); }
    void lblQ4Click() { ShowTopic(4); }
    void lblQ5Click() { ShowTopic(5); }
    void lblQ6Click() { ShowTopic(6); }
    void lblQ7Click() { ShowTopic(7); }
    void lblQ8Click() { ShowTopic(8); }
    void lblQ9Click() { ShowTopic(9); }
    void lblQ10Click() { ShowTopic(10); }

    // Each Quotes item does what a click on its statement does.
    void mnuQuotesConscriptionClick() { lblQ1Click(); }
    void mnuQuotesMediaClick() { lblQ2Click(); }
    void mnuQuotesPrivacyClick() { lblQ3Click(); }
    void mnuQuotesProhibitionClick() { lblQ4Click(); }
    void mnuQuotesBordersClick() { lblQ5Click(); }
    void mnuQuotesSubsidiesClick() { lblQ6Click(); }
    void mnuQuotesProtectionismClick() { lblQ7Click(); }
    void mnuQuotesLaborClick() { lblQ8Click(); }
    void mnuQuotesTaxesClick() { lblQ9Click(); }
    void mnuQuotesDefenseClick() { lblQ10Click(); }

    // Each radio button stores one value in one answer slot, and nothing else.
    void btnQ1YClick();
    void btnQ1MClick();
    void btnQ1NClick();
    void btnQ2YClick();
    void btnQ2MClick();
    void btnQ2NClick();
    void btnQ3YClick();
    void btnQ3MClick();
    void BtnQ3NClick();
    void btnQ4YClick();
    void btnQ4MClick();
    void btnQ4NClick();
    void btnQ5YClick();
    void btnQ5MClick();
    void btnQ5NClick();
    void btnQ6YClick();
    void btnQ6MClick();
    void btnQ6NClick();
    void btnQ7YClick();
    void btnQ7MClick();
    void btnQ7NClick();
    void btnQ8YClick();
    void btnQ8MClick();
    void btnQ8NClick();
    void btnQ9YClick();
    void btnQ9MClick();
    void btnQ9NClick();
    void btnQ10YClick();
    void btnQ10MClick();
    void btnQ10NClick();

    QRadioButton* MaybeButton(int question) const;

    ClickTracker backgroundClick_;
};

extern TForm1* Form1;
