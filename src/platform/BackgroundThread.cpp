#include "platform/BackgroundThread.h"

#include <pthread.h>
#include <sched.h>

void RunInBackground()
{
    sched_param param = {};
    param.sched_priority = 0;
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
}
