#pragma once

// Opens the help window at the page of a context number: 0 the contents,
// 431 ... 446 the page of that dialog, the id of Command::Tutorial for the
// tutorial.
void ShowHelp(int context);
