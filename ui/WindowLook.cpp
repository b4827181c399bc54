#include "WindowLook.h"
