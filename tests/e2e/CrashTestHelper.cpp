// Crashes on purpose, by a write through a null pointer, for the test that
// a crash under the test prefix ends its program at once (CrashTest.cpp).
int main() {
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
