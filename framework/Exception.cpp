// The silent abort.
#include "framework/Exception.h"

#include "framework/Consts.h"

void Abort() {
    throw EAbort(SOperationAborted);
}
