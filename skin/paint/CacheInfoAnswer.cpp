// Storage of the cache-info answer.
#include "skin/paint/CacheInfoAnswer.h"

TParentImageInfo CacheInfoAnswer;
