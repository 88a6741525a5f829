#pragma once
// The editor's version, shown in the window caption and in the notes the
// importers leave for the information panel.

namespace pyrovel {

inline constexpr const char* kEditorVersion = "0.26";

}  // namespace pyrovel
