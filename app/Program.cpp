#include "Program.h"
