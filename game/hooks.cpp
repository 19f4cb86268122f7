#include "hooks.h"

gamehooks hooks;
