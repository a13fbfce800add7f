#pragma once

// Under wine 10 a UI Automation client that lets go of the last element it held of the program
// can stop the program for good on a busy machine (README, Accessibility): wine then withdraws
// the element's COM interface and may wait forever for a call that has already ended. From the
// first time a screen reader asks until the program ends, a thread of the program holds one
// element of its own, so that the interface is never withdrawn. On Windows it is one reader more
// holding an element. Elsewhere this does nothing.
void holdAutomationElementOnceAsked();
