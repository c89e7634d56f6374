#include "app/Strings.h"
