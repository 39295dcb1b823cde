#include "beta/beta.h"
