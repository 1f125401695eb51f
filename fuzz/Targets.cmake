vorel_fuzz_target(rtf_fuzz RtfFuzz.cpp)
vorel_fuzz_target(plain_text_fuzz PlainTextFuzz.cpp)
