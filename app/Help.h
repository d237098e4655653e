#pragma once

// Opens the help book at the topic on working on a book description.
void ShowHelp();
