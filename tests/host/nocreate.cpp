// A loadable library that is not a plug-in: it exports no createPlugin.
extern "C" __attribute__((visibility("default"))) int notAPlugin()
{
    return 42;
}
