#pragma once

// The list that h shows: the controls of the window, those that the console's --help lists, in
// short. Each key line names its keys before the colon, separated by commas.
inline constexpr const char* kHelpLines[] = {
    "Mis:",
    "  levo dugme: pomera sliku",
    "  desno dugme: okrece sliku",
    "  srednje, ili levo i desno: uvecava, smanjuje",
    "  tockic: uvecava, smanjuje",
    "  promena velicine prozora: prvi prikaz",
    "Tasteri:",
#ifndef __EMSCRIPTEN__
    "  Esc, q: kraj programa", // the page has no window to close
#endif
    "  r, Home: prvi prikaz",
    "  +, =, -: uvecava, smanjuje",
    "  strelice: pomeraju sliku",
    "  s: cuva sliku (PNG)",
    "  g: elementi krive, i u konzoli",
    "  m: mreza sa brojevima",
    "  h: ovaj spisak",
};
