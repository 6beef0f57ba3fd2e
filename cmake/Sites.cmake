# The three web sites the program links to. They are build configuration:
# a distributor can point them elsewhere with -DGEMVARA_FORUM_SITE=... etc.
# Each value is https:// and a host, without a trailing slash: the referral
# page gets two people's names and e-mail addresses in its query, which
# plain http would hand to anyone on the way.
set(GEMVARA_FORUM_SITE "https://www.orvanta.com" CACHE STRING
    "Publisher's forum site: home page, software catalogue, referral page")
set(GEMVARA_HELP_SITE "https://www.orvantahelp.com" CACHE STRING
    "Publisher's help site: donation, co-branding and full-branding pages")
set(GEMVARA_PRODUCT_SITE "https://www.gemvara-free.com" CACHE STRING
    "Product site: online help and download pages")

# The link routines append their paths to these values as they are, so a
# trailing slash or a path here would break every address. Also run alone
# (cmake -DGEMVARA_FORUM_SITE=... -P cmake/Sites.cmake) by the tests.
foreach(site GEMVARA_FORUM_SITE GEMVARA_HELP_SITE GEMVARA_PRODUCT_SITE)
  if(NOT "${${site}}" MATCHES "^https://[^/?#]+$")
    message(FATAL_ERROR "${site} must be https://host with no path or trailing slash, not '${${site}}'")
  endif()
endforeach()
