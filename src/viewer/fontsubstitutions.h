#pragma once

namespace viewer {

// The window asks for "宋体" and "Tahoma" by name; on a desktop without them Qt takes the first
// installed face of a list of look-alikes (a Song/Ming face, a humanist sans). Safe to call twice.
void installFontSubstitutions();

}  // namespace viewer
