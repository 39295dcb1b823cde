#include "alpha/alpha.h"
#include "beta/beta.h"
