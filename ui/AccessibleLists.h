#pragma once

// InstallAccessibleLists — drop-down lists named for a screen reader.
//
// On Linux Qt gives a drop-down list's current entry as its accessible name
// ("January", "1", "0"), whatever name the program set, so that a person
// cannot tell the hour from the minute by name. A list given an accessible
// name of its own keeps it here: the name is that name, the value the entry;
// its children (the popup's list, the edit line of an editable one) are
// Qt's. Lists without a name of their own stay as Qt makes them. The name
// is set before the first entry is added: the view is made at the first change.
// Called once by each window as it is made; more calls do nothing.
void InstallAccessibleLists();
