#include "model/stream.h"

PBase* createStreamObject(uint16_t classId)
{
    switch (classId)
    {
        default:
            return nullptr;
    }
}
