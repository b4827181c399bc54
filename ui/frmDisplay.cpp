#include "frmDisplay.h"
