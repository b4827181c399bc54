#include "SignImageList.h"
