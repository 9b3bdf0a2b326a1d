#include "engine/clsFuelModel.h"

clsFuelModel clsFuelModel::clone() const
{
    clsFuelModel copy = *this;
    copy.loadDeadHerb = 0;
    return copy;
}
