#pragma once

#include <vector>

namespace quorrin::browse {

// A control that other controls link to by property (a file list's FileEdit,
// a directory list's FileList). Links are plain pointers, so a control that
// goes away first tells every control that linked to it; they clear the link
// instead of calling into freed memory later.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

protected:
    // Points `link` at `next`, and arranges to hear when `next` goes away.
    template <typename Linked> void relink(Linked*& link, Linked* next)
    {
        if (link == next)
            return;
        if (link != nullptr)
            unwatch(*link);
        link = next;
        if (next != nullptr)
            watch(*next);
    }

    // Like relink, for a link whose target links back (a file list knows
    // the directory list that names it): the old target forgets `self`,
    // the new one learns it.
    template <typename Linked, typename Back, typename Self>
    void relinkWithBackLink(Linked*& link, Linked* next, Self* self, Back* (Linked::*backLink)() const,
                            void (Linked::*setBackLink)(Back*))
    {
        if (link == next)
            return;
        if (link != nullptr && (link->*backLink)() == self)
            (link->*setBackLink)(nullptr);
        relink(link, next);
        if (link != nullptr)
            (link->*setBackLink)(self);
    }

    // Called once for every watch of `gone` that was still in place when it
    // went away; the link must be cleared here.
    virtual void linkedControlGone(Control& gone);

private:
    void watch(Control& linked);
    void unwatch(Control& linked);

    std::vector<Control*> watchers_; // controls linked to this one
    std::vector<Control*> watching_; // controls this one links to
};

} // namespace quorrin::browse
