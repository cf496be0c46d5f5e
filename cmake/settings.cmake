# Operator settings of the build. Every default points at the bundled demo operator
# server on 127.0.0.1:18080, so that a plain build and ./dev/run work out of the box.
set(VELMO_STATS_HOST "127.0.0.1:18080" CACHE STRING
    "Statistics and client-services host: usage reports, notice text and picture, /webgame.htm")
set(VELMO_UPDATE_HOST "127.0.0.1:18080" CACHE STRING
    "Update server host: update/ConfigRendo.htm and download configurations")
set(VELMO_GAME_SITE_HOST "127.0.0.1:18080" CACHE STRING
    "Game site host: login page /act/wd/main/index/307")
set(VELMO_LOGIN_SERVICE_HOST "127.0.0.1:18080" CACHE STRING
    "Login service host: /qq.aspx? and /isLogin/kv/inpage/qqback.aspx")
set(VELMO_QQ_OAUTH_HOST "127.0.0.1:18080" CACHE STRING
    "QQ OAuth host (https): /oauth2.0/authorize")
set(VELMO_OPERATOR_DOMAINS "127.0.0.1;localhost;velmo.example" CACHE STRING
    "The three operator domain names, separated by ';'")
set(VELMO_LUMRIX_HOME_URL "http://127.0.0.1:18080/lumrix/" CACHE STRING
    "Home page of the sister game hall (run mode 1, default download address of entergame)")
option(VELMO_TESTING "Test build: velmo-test.ini overrides and /test- switches" OFF)

if(VELMO_TESTING)
  set(VELMO_TESTING_VALUE 1)
else()
  set(VELMO_TESTING_VALUE 0)
endif()
set(VELMO_GENERATED_DIR "${CMAKE_BINARY_DIR}/generated")
configure_file("${CMAKE_CURRENT_LIST_DIR}/build_settings.h.in"
               "${VELMO_GENERATED_DIR}/build_settings.h" @ONLY)
