// A form is laid out for its English texts. Where a translation is longer, the whole form grows in proportion,
// first in width until every one-line text fits, then in height until every wrapping text does; what is beside
// or below a control stays beside or below it. The texts a control comes to show later are given in its dynamic
// property "fitTexts".
#pragma once

class QWidget;

// Grows `window`'s controls, and its size, to fit their texts; measured afresh each time.
void FitToTexts(QWidget *window);
