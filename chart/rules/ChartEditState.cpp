#include "ChartEditState.h"

#include "ChartVersions.h"

EditButtons ButtonsFor(ChartEditState state, const ChartVersions &versions)
{
    EditButtons buttons;
    const bool saved = state == ChartEditState::Saved;
    const bool editing = state == ChartEditState::New || state == ChartEditState::Modified;
    buttons.New = saved || state == ChartEditState::None;
    buttons.Del = saved;
    buttons.Post = editing;
    buttons.Cancel = editing;
    buttons.Prev = versions.CanGoBack();
    buttons.Next = versions.CanGoForward();
    return buttons;
}

ChartEditState AfterChange(ChartEditState state)
{
    return state == ChartEditState::Saved ? ChartEditState::Modified : state;
}
