// The preview pane of the Windows program: a child window that shows the object the user selected,
// drawn by the core's renderer. Dragging with the left button orbits the camera, the wheel zooms,
// the animation box and the play button play the object's animations.
#pragma once

#include <windows.h>

#include <functional>

#include "preview/object_preview.h"

namespace kavrin::win32 {

// Creates the pane as a visible child of `parent` with control id `id`. `selected` names the entry
// to show; it is asked anew whenever the pane draws, so an entry that went away is never drawn.
// The pane lays out its own controls whenever it is sized; its owner only places it.
HWND createPreviewPane(HWND parent, HINSTANCE instance, int id,
                       std::function<const ObjectEntry*()> selected);

// The selection changed (or the selected row's slot was filled or emptied): shows what is
// selected now, at once.
void followSelection(HWND pane);

// The width the pane wants, in pixels of its window: room for its picture and its controls. The
// main window places the pane at its right, this wide, and widens itself by as much.
int previewPaneWidth(HWND pane);

// The pane zooms on WM_MOUSEWHEEL sent to it. Windows sends the wheel to the window with the
// keyboard focus, so the pane takes the focus when it is clicked; a main window may also forward
// the wheel to it while the cursor is over it.

// What a pane made by createPreviewPane shows, for tests: the object, its animation and frame, and
// the camera.
const preview::ObjectPreview& previewState(HWND pane);

}  // namespace kavrin::win32
