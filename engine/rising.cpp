#include "reading.h"
