// The document model; filled in by the document work.
#include "document/KumoHead.h"
