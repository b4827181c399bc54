#include "modTellAFriend.h"
