#pragma once
// A tab sheet worked as a wizard: its tabs are hidden and Back and Next step
// through the pages that are not hidden, Back disabled on the first, Next
// disabled and OK the default button on the last. Outside wizard mode the
// tabs show and Back and Next are hidden.
//
// Tab numbers count from 1, hidden tabs included. A form derives its own
// class to act after a step (AfterBack, AfterNext), to refuse moving on
// (Validate) or to redisplay (Refresh).


class QPushButton;
class QTabWidget;

namespace vl {

class TabWizard {
public:
    struct Controls {
        QTabWidget* sheet = nullptr;
        QPushButton* back = nullptr;
        QPushButton* next = nullptr;
        QPushButton* ok = nullptr;
        QPushButton* cancel = nullptr;
    };
    struct Flags {
        bool wizard = true;         // tabs hidden, Back/Next navigation
        bool validateOnNext = true; // Next asks Validate first
        bool coexistOkNext = false; // OK takes Next's place on the last page
        bool skipHidden = true;     // hidden tabs are stepped over
    };

    virtual ~TabWizard() = default;

    // Takes the controls and flags, starts on the first page and connects
    // Back and Next; then Refresh.
    void Setup(const Controls& controls, const Flags& flags);

    // The buttons' clicks: a step, then AfterBack/AfterNext and Refresh.
    void TakeBack();
    void TakeNext();

    void NextTab();
    void PreviousTab();
    // Enables and places Back, Next and OK for the page shown, and shows it.
    void ResetButtons();
    // Next while the wizard is active and the page is not the last, else OK.
    QPushButton* DefaultButton() const;

    int CurrentTab() const { return current_; }
    int FirstTab() const { return min_; }
    int LastTab() const { return max_; }
    bool Active() const { return flags_.wizard; }

protected:
    virtual void Refresh() {}
    virtual void AfterBack() {}
    virtual void AfterNext() {}
    // False refuses moving on.
    virtual bool Validate() { return true; }

    const Controls& Buttons() const { return controls_; }

private:
    void FindTabRange();
    void ClampTab();
    bool Hidden(int tab) const;

    Controls controls_;
    Flags flags_;
    int min_ = 1;
    int max_ = 1;
    int current_ = 1;
};

} // namespace vl
