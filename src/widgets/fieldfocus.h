#pragma once

class QWidget;

// Moves the keyboard focus into a field, as Return does in the forms, and selects what the field holds, as Tab
// does, so that what the user types replaces it rather than joining it.
void focusAndSelect(QWidget* field);
